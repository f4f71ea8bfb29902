#pragma once

class QWidget;
class QPageChild;

namespace Pages {

// Creates the table page of a type (0 projects, 1 videos, 2 defects); nullptr for a type
// without a page.
QPageChild *CreatePageOfType(int type, QWidget *parent);

} // namespace Pages
