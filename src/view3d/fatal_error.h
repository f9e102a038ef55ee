#pragma once

#include <QString>

class QOpenGLContext;

namespace ferlo {

// The message of the one fatal error: the display gives no usable OpenGL.
inline constexpr const char* kPixelFormatError = "Could not retrieve pixel format!";

// Where the program's fatal error goes. The real one shows the box and ends
// the program; a test keeps the title and text.
class FatalErrorNotifier {
public:
    virtual ~FatalErrorNotifier() = default;

    virtual void fatalError(const QString& title, const QString& text) = 0;
};

// A critical message box with an OK button, then the program ends at once:
// no window's close or unload step runs, so nothing is saved.
class MessageBoxFatalNotifier : public FatalErrorNotifier {
public:
    void fatalError(const QString& title, const QString& text) override;
};

// "Fatal Error In " and the application's title; "Fatal Error: " and the message.
QString fatalErrorTitle();
QString fatalErrorText(const QString& message);

// Whether the 3D view can draw with `context`: it exists, is valid and is no
// core profile (which has no display lists, immediate mode or fixed-function
// lighting).
bool usableContext(const QOpenGLContext* context);

}  // namespace ferlo
