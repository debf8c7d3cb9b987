#include "app/ports/batch_ports.h"

namespace zt6 {

bool BatchLauncher::Start(const std::string& program, const std::vector<std::string>&) {
  err_ << "Ohne Fenster wird kein Programm gestartet: " << program << '\n';
  return false;
}

bool BatchLauncher::Open(const std::string& fileOrAddress) {
  err_ << "Ohne Fenster wird nichts geöffnet: " << fileOrAddress << '\n';
  return false;
}

std::optional<PageRange> BatchPrinter::ChooseTextPages(int) {
  err_ << "Ohne Fenster wird nicht gedruckt.\n";
  return std::nullopt;
}

}  // namespace zt6
