// The least a window like Wordloom's can cost to start: a main window with a
// text editor and N plain buttons, shown and painted once, then closed.
#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// Counts the paints the window receives, so the floor paints at least once
// even where showing alone does not.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int buttons = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;

    QMainWindow window;
    auto *central = new QWidget(&window);
    auto *layout = new QVBoxLayout(central);
    auto *editor = new QTextEdit(central);
    layout->addWidget(editor);
    auto *board = new QWidget(central);
    auto *grid = new QGridLayout(board);
    for (int i = 0; i < buttons; ++i)
        grid->addWidget(new QPushButton(QStringLiteral("word %1").arg(i), board), i / 16, i % 16);
    layout->addWidget(board);
    window.setCentralWidget(central);
    window.resize(640, 450);

    PaintCounter counter;
    editor->viewport()->installEventFilter(&counter);
    window.show();
    QApplication::processEvents();
    if (counter.paints == 0)
        window.repaint();
    return 0;
}
