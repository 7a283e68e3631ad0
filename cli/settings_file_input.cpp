// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/settings_file_input.h"

#include <filesystem>
#include <system_error>

#include "curves/curve_set.h"
#include "files/data_file_io.h"
#include "settings/settings_table.h"

namespace vuriru {

CommandResult LoadSettingsFile(const std::string& path, EscData& data) {
  namespace fs = std::filesystem;
  std::error_code error;
  const auto refuse = [&](const std::string& why) {
    return CommandResult::Fail(ExitCode::kBadFile, path + ": " + why);
  };
  if (!fs::exists(path, error)) return refuse("no such file; check the name and folder");
  if (!fs::is_regular_file(path, error)) return refuse("not a file; name a *.DATA settings file");
  const auto size = fs::file_size(path, error);
  if (!error && size != kDataFileSize) {
    return refuse(std::string(kImportErrorText) + " It is " + std::to_string(size) +
                  " bytes long, a settings file has " + std::to_string(kDataFileSize) +
                  "; use a file saved with 'export' or by the program");
  }
  const DataFileImport imported = ReadDataFile(path, FactoryEscData());
  if (!imported.ok) {
    return refuse(std::string(kImportErrorText) +
                  " Its header, checksum or curves are damaged; use a file saved with 'export' or by the program");
  }
  data = imported.data;
  return CommandResult::Ok();
}

}  // namespace vuriru
