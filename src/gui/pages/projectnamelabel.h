#pragma once

class QLabel;
class QWidget;

// The label above the video and defect tables that shows the current project's name.
QLabel *CreateProjectNameLabel(QWidget *parent);
