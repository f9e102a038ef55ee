#include "editor/window/help.h"

#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace ferlo {

QString helpFilePath(const QString& folder) {
    const QString name = QString::fromLatin1(kHelpFileName);
    return folder.trimmed().endsWith('/') ? folder + name : folder + '/' + name;
}

void Help::helpSetWindowPos(int x, int y, int dx, int dy) {
    place_ = QRect(x, y, dx, dy);
    if (viewer_ != nullptr) viewer_->setGeometry(place_);
}

void Help::helpContents() {
    const QFileInfo document(file_);
    if (!document.isFile() || !document.isReadable()) return;
    if (viewer_ == nullptr) {
        viewer_ = new QFrame(&owner_);
        viewer_->setObjectName("HelpViewer");
        viewer_->setFrameShape(QFrame::Panel);
        viewer_->setAutoFillBackground(true);
        browser_ = new QTextBrowser(viewer_);
        auto* close = new QPushButton(QStringLiteral("Close"), viewer_);
        QObject::connect(close, &QPushButton::clicked, viewer_, [this] { helpQuit(); });
        // Escape closes the viewer wherever the focus is in the window; the
        // key is the window's only while the viewer shows.
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), viewer_);
        QObject::connect(escape, &QShortcut::activated, viewer_, [this] { helpQuit(); });
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(close);
        auto* layout = new QVBoxLayout(viewer_);
        layout->addWidget(browser_);
        layout->addLayout(buttons);
    }
    browser_->setSource(QUrl::fromLocalFile(document.absoluteFilePath()));
    browser_->home();
    viewer_->setGeometry(place_);
    viewer_->show();
    viewer_->raise();
}

void Help::helpQuit() {
    if (viewer_ != nullptr) viewer_->hide();
}

}  // namespace ferlo
