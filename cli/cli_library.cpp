// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_library.h"

namespace vuriru {

#ifndef VURIRU_VERSION
#define VURIRU_VERSION "0.0.0"
#endif

CliLibrary::CliLibrary(const CliOptions& options, std::ostream& err) : m_options(options), m_err(err) {}

Library& CliLibrary::Get() {
  if (!m_library) {
    LibraryOptions options;
    options.program = std::string("vuriru-cli ") + VURIRU_VERSION;
    m_library = std::make_unique<Library>(m_options.libraryPath, options);
  }
  return *m_library;
}

void CliLibrary::WarnOfTrouble() {
  if (const std::optional<std::string> notice = Get().TakeNotice()) Warn(*notice);
}

void CliLibrary::Warn(const std::string& text) {
  m_err << "vuriru-cli: warning: " << text << "\n";
}

}  // namespace vuriru
