#include "editor/window/splash.h"

#include <QKeyEvent>
#include <QLabel>

#include "editor/window/program_picture.h"

namespace ferlo {

Splash::Splash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), lblVersion(new QLabel(this)) {
    setObjectName("frmSplash");
    // The program goes on starting when the splash window is closed early.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(420, 280);
    setAutoFillBackground(true);

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(programPicture(QSize(400, 200)));
    image->setGeometry(10, 10, 400, 200);

    auto* product = new QLabel(QStringLiteral("Model aircraft design"), this);
    product->setObjectName("lblProductName");
    product->setGeometry(10, 218, 400, 22);
    product->setAlignment(Qt::AlignCenter);

    lblVersion->setObjectName("lblVersion");
    lblVersion->setGeometry(10, 244, 400, 22);
    lblVersion->setAlignment(Qt::AlignCenter);
}

void Splash::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty()) close();
}

}  // namespace ferlo
