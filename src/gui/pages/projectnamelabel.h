#pragma once

class QLabel;
class QWidget;

namespace Pages {

// The label above the video and defect tables that shows the current project's name.
QLabel *CreateProjectNameLabel(QWidget *parent);

} // namespace Pages
