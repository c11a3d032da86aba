#pragma once

#include "shell/printwindow.h"

namespace transport {

// The packing list's print window as data: one sheet whose pages follow the
// contents of the lines.
shell::PrintWindowDefinition paliPrintDefinition();

// The packing list on plain paper: the head with the five-language title on
// the first page, the lines in columns, and follow pages with the column
// titles and the page number; every page a print job of its own.
class Tfrmpali_d : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit Tfrmpali_d(QWidget *parent = nullptr);
};

} // namespace transport
