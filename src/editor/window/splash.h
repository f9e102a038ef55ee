#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace ferlo {

// The splash window (`frmSplash`), shown while the program starts: the
// program's picture and name, and its version.
class Splash : public QWidget {
public:
    Splash();

    QLabel* lblVersion;
    // The first-use demonstration state read from the preferences.
    QString demostate;
    // Small-fonts mode, decided once at start-up.
    bool smallFontsVariable = false;

protected:
    // A character key closes the splash window.
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ferlo
