#include "prefs/view_settings.h"

#include "vocab/text_file.h"

#include <QFileInfo>

namespace {

const QString kZoomKey = QStringLiteral("zoom");
const QString kHighContrastKey = QStringLiteral("highContrast");

} // namespace

ViewSettings::ViewSettings(QObject *parent)
    : QObject(parent)
{}

void ViewSettings::setZoom(int percent)
{
    percent = std::clamp(percent, kMinZoom, kMaxZoom);
    percent -= (percent - kMinZoom) % kZoomStep;
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    Q_EMIT zoomChanged(m_zoom);
}

void ViewSettings::setHighContrast(bool on)
{
    if (on == m_highContrast)
        return;
    m_highContrast = on;
    Q_EMIT highContrastChanged(on);
}

bool ViewSettings::read(const QString &path, QString *error)
{
    if (!QFileInfo::exists(path))
        return true;
    TextFile::Content content;
    if (!TextFile::read(path, &content, error))
        return false;
    m_unknown.clear();
    for (const QString &line : TextFile::splitLines(content.text)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        bool ok = false;
        const int number = value.toInt(&ok);
        if (key == kZoomKey) {
            if (ok)
                setZoom(number);
        } else if (key == kHighContrastKey) {
            if (ok && (number == 0 || number == 1))
                setHighContrast(number == 1);
        } else {
            m_unknown.append({key, value});
        }
    }
    return true;
}

bool ViewSettings::write(const QString &path, QString *error) const
{
    QString text;
    auto line = [&text](const QString &key, const QString &value) {
        text += key + QLatin1Char('=') + value + QLatin1Char('\n');
    };
    line(kZoomKey, QString::number(m_zoom));
    line(kHighContrastKey, QString::number(m_highContrast ? 1 : 0));
    for (const auto &[key, value] : m_unknown)
        line(key, value);
    return TextFile::write(path, text, TextFile::Encoding::Utf8, error);
}
