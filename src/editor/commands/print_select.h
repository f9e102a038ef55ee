#pragma once

#include <QDialog>

#include "document/print_jobs.h"

class QCheckBox;
class QPushButton;

namespace ferlo {

// The print selection (`PrintSelect`), "Select Views for Print Out": five
// check boxes without captions, each with a small picture of its view (and
// the view's name as its tooltip), left to right Side, fuselage top,
// cross-sections, plan, front; Print accepts, Cancel and the window's frame
// cancel. Every box is clear when the dialog is made.
class PrintSelect : public QDialog {
public:
    explicit PrintSelect(QWidget* parent = nullptr);

    // The views whose boxes are ticked.
    PrintSelection selection() const;

    QCheckBox* CheckSide;
    QCheckBox* CheckHtop;
    QCheckBox* CheckSections;
    QCheckBox* CheckVtop;
    QCheckBox* CheckFront;
    QPushButton* PrintCommand;
    QPushButton* CancelCommand;
};

}  // namespace ferlo
