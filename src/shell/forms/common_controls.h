#pragma once

#include <QList>

#include <array>

class QBoxLayout;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace vorbix {

// The controls that every screen carries: the navigation row, the frame of
// the six language pairs, the display options and the two column captions.
struct CommonControls
{
    QPushButton *cmdDict = nullptr;  // "Dictionary"
    QPushButton *cmdInvat = nullptr; // "Learn words"
    QPushButton *cmdTest = nullptr;  // "Write words"
    QPushButton *cmdTestG = nullptr; // "Grid test"
    QPushButton *iesi = nullptr;     // "Exit"

    QGroupBox *dictionaryFrame = nullptr;          // "Dictionary"
    std::array<QRadioButton *, 6> pairOptions{};  // Option3 .. Option8; Option3 checked

    QGroupBox *fontsFrame = nullptr; // "Fonts", captionless on the main window
    QRadioButton *Option1 = nullptr; // "abc", checked
    QRadioButton *Option2 = nullptr; // "ABC"
    QCheckBox *Check1 = nullptr;     // "a/A", unchecked

    QLabel *Label6 = nullptr; // caption over the word column
    QLabel *Label7 = nullptr; // caption over the translation column

protected:
    // The learning and writing screens show shorter captions for some pairs.
    enum class PairCaptions { Dictionary, Exercise };

    // Creates the controls above as children of `window`; the form places
    // the frames and captions, and the row from navigationRow().
    void setupCommonControls(QWidget *window, PairCaptions captions, const char *fontsTitle);

    // A new row holding the five navigation buttons, left to right. Call it
    // once every other control exists: it also puts the buttons last in the
    // tab order.
    QBoxLayout *navigationRow() const;
    // A new row with the pair frame and, at its right, the display options.
    QBoxLayout *optionsRow() const;

    // The pair and display options, and the navigation buttons, in the
    // order a reader meets them: for each form's tab order.
    QList<QWidget *> optionsInReadingOrder() const;
    QList<QWidget *> navigationInReadingOrder() const;
};

} // namespace vorbix
