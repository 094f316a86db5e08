#include "prefs/ui/prediction_tab.h"

#include "prefs/ui/buddy_label.h"
#include "prefs/view_settings.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

PredictionTab::PredictionTab(QWidget *page, ViewSettings &view, QObject *parent)
    : QObject(parent)
    , m_view(view)
{
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(4, 2, 4, 2);
    auto *group = new QGroupBox(tr("Word prediction"), page);
    auto *form = new QFormLayout(group);
    form->setContentsMargins(6, 2, 6, 2);
    form->setVerticalSpacing(1);
    edPredictionButtons = new QSpinBox(group);
    edPredictionButtons->setObjectName(QStringLiteral("edPredictionButtons"));
    edPredictionButtons->setRange(0, PredictionSettings::kMaxButtons);
    edPredictionButtons->setToolTip(tr("How many predicted words the row above the board "
                                       "shows; 0 hides the row"));
    cbLearnSaved = new QCheckBox(tr("Learn my words from each document I save"), group);
    cbLearnSaved->setObjectName(QStringLiteral("cbLearnSaved"));
    cbLearnSaved->setToolTip(tr("Words and word sequences of saved documents are offered "
                                "first in the same context"));
    cbLearnOpened = new QCheckBox(tr("Also learn from each document I open"), group);
    cbLearnOpened->setObjectName(QStringLiteral("cbLearnOpened"));
    cbLearnOpened->setToolTip(cbLearnOpened->text());
    connect(cbLearnSaved, &QCheckBox::toggled, cbLearnOpened, &QCheckBox::setEnabled);
    form->addRow(buddyLabel(tr("Predicted words (0 to 9):"), group, edPredictionButtons),
                 edPredictionButtons);
    form->addRow(cbLearnSaved);
    form->addRow(cbLearnOpened);
    column->addWidget(group);
    column->addStretch(1);
}

void PredictionTab::load()
{
    const PredictionSettings &p = m_view.prediction();
    edPredictionButtons->setValue(p.buttons);
    cbLearnSaved->setChecked(p.learn);
    cbLearnOpened->setChecked(p.learnOpened);
    cbLearnOpened->setEnabled(p.learn);
}

void PredictionTab::apply()
{
    PredictionSettings p = m_view.prediction();
    p.buttons = edPredictionButtons->value();
    p.learn = cbLearnSaved->isChecked();
    p.learnOpened = cbLearnOpened->isChecked();
    m_view.setPrediction(p);
}
