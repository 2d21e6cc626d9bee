// The start-up reference window must stay what it claims to be: as many
// controls of each kind as the main window, with the same fonts.
#include "controls_window.h"
#include "shell/forms/start_form.h"

#include <QMap>
#include <QTest>
#include <QWidget>

namespace {

// "QLineEdit" -> count, and "QLineEdit Arial 9.75 bold" -> count for every
// control with a font of its own.
QMap<QString, int> inventory(const QWidget &window)
{
    QMap<QString, int> found;
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        const QString kind = QString::fromLatin1(control->metaObject()->className());
        ++found[kind];
        if (control->testAttribute(Qt::WA_SetFont)) {
            const QFont font = control->font();
            ++found[QStringLiteral("%1 %2 %3%4")
                        .arg(kind, font.family())
                        .arg(font.pointSizeF())
                        .arg(font.bold() ? QStringLiteral(" bold") : QString())];
        }
    }
    found[QStringLiteral("window font ") + window.font().toString()] = 1;
    found[QStringLiteral("window size %1x%2").arg(window.width()).arg(window.height())] = 1;
    return found;
}

} // namespace

class TestControlsWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameControlsAndFontsAsTheMainWindow()
    {
        QWidget mainWindow;
        vorbix::StartForm form;
        form.setupUi(&mainWindow);
        QWidget reference;
        vorbix::bench::buildControlsWindow(&reference);
        QCOMPARE(inventory(reference), inventory(mainWindow));
    }
};

QTEST_MAIN(TestControlsWindow)
#include "tst_controls_window.moc"
