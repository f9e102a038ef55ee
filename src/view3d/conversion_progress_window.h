#pragma once

#include <chrono>

#include <QElapsedTimer>
#include <QWidget>

#include "base/conversion_progress.h"

class QProgressBar;

namespace ferlo {

// The small window that shows how far a texture image has been read. It
// stays hidden unless a conversion is still running `showAfter` after it
// began, so quick conversions never flash a window. It repaints itself
// without running the event loop (the conversion may run inside a paint),
// once a value.
class ConversionProgressWindow : public QWidget, public ConversionProgress {
public:
    static constexpr std::chrono::milliseconds kShowAfter{300};

    explicit ConversionProgressWindow(std::chrono::milliseconds showAfter = kShowAfter,
                                      QWidget* parent = nullptr);

    void begin() override;
    void setValue(int percent) override;
    void end() override;

    int value() const;

private:
    QProgressBar* bar_;
    QElapsedTimer clock_;
    std::chrono::milliseconds showAfter_;
};

}  // namespace ferlo
