#pragma once

#include <QRect>
#include <QString>

class QFrame;
class QTextBrowser;
class QWidget;

namespace ferlo {

// The help document's name in the program's data folder.
inline constexpr const char* kHelpFileName = "Ferlo.html";

// The help document's path in `folder`: the folder and the name, joined by
// one "/" unless the folder (blanks at its ends aside) already ends in one.
QString helpFilePath(const QString& folder);

// The help calls (`ContextIDs`): the program's HTML help document shown in
// a viewer placed over the owner window's drawing area. A missing or
// unreadable document is silent: nothing is shown and nothing reported.
class Help {
public:
    // The viewer belongs to `owner`; its place starts at 256, 256, 512 by 512.
    explicit Help(QWidget& owner) : owner_(owner) {}

    // The document's path in the program's data folder (`helpInit`).
    void helpInit(const QString& dataFolder) { file_ = helpFilePath(dataFolder); }

    // Where the viewer is placed, in the owner's pixels (`helpSetWindowPos`).
    void helpSetWindowPos(int x, int y, int dx, int dy);
    // Shows the document's contents, raised over the owner's controls
    // (`helpContents`); Escape closes it again.
    void helpContents();
    // Closes the viewer (`helpQuit`).
    void helpQuit();

    const QString& helpFile() const { return file_; }
    // The viewer, or nullptr while the help is not open.
    QFrame* viewer() const { return viewer_; }
    QTextBrowser* browser() const { return browser_; }

private:
    QWidget& owner_;
    QString file_;
    QRect place_{256, 256, 512, 512};
    QFrame* viewer_ = nullptr;
    QTextBrowser* browser_ = nullptr;
};

}  // namespace ferlo
