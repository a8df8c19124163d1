#pragma once

#include <QApplication>
#include <memory>
#include <optional>

namespace lancement {

// Reads the command line before any window exists. --help and --version print on
// standard output and give 0; an unknown option or any other argument prints a usage
// line on standard error and gives 2; with no display to open the window on, one line
// on standard error and 1. Empty: the program goes on.
std::optional<int> lireLigneCommande(int argc, char* argv[]);

// The application object; where the display cannot be opened after all (a display named
// but not answering), one line on standard error and exit status 1 instead of the
// toolkit's abort. `argc` must outlive the application.
std::unique_ptr<QApplication> ouvrirApplication(int& argc, char* argv[]);

} // namespace lancement
