// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/settings_source.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "cli/settings_file_input.h"
#include "files/json_file_io.h"
#include "files/settings_keys.h"

namespace vuriru {

SourceArgument ClassifySource(const std::string& argument) {
  if (argument == "device") return {SourceKind::kDevice, argument, 0};
  std::error_code error;
  if (std::filesystem::exists(argument, error)) return {SourceKind::kFile, argument, 0};
  int64_t id = 0;
  const char* end = argument.data() + argument.size();
  const bool digits = !argument.empty() && argument.find_first_not_of("0123456789") == std::string::npos;
  if (digits) {
    const std::from_chars_result parsed = std::from_chars(argument.data(), end, id);
    if (parsed.ec == std::errc() && parsed.ptr == end) return {SourceKind::kSnapshot, argument, id};
  }
  return {SourceKind::kSetup, argument, 0};
}

CommandResult LoadFileSource(const std::string& path, CliLibrary& library, LoadedSource& loaded) {
  loaded.label = path;
  loaded.software.clear();
  if (!IsJsonFileName(path)) return LoadSettingsFile(path, loaded.data);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    return CommandResult::Fail(ExitCode::kBadFile, path + ": no such file; check the name and folder");
  }
  const JsonFileImport imported = ReadJsonFile(path, FactoryEscData());
  if (!imported.ok) return CommandResult::Fail(ExitCode::kBadFile, path + ": " + imported.message);
  for (const UserText& warning : imported.warnings) library.Warn(path + ": " + EnglishText(warning));
  loaded.data = imported.data;
  loaded.software = imported.software;
  return CommandResult::Ok();
}

CommandResult LoadSource(const SourceArgument& source, CliLibrary& library, LoadedSource& loaded) {
  switch (source.kind) {
    case SourceKind::kDevice:
      break;
    case SourceKind::kFile:
      return LoadFileSource(source.text, library, loaded);
    case SourceKind::kSnapshot: {
      UserText why;
      const std::optional<Snapshot> snapshot = library.Get().GetSnapshot(source.id, &why);
      if (!snapshot) return CommandResult::Fail(ExitCode::kBadFile, EnglishText(why));
      if (!snapshot->record.full) {
        return CommandResult::Fail(ExitCode::kUsage, "snapshot " + source.text + " holds a " + snapshot->info.kind +
                                                         " controller's settings, which the history only lists");
      }
      loaded.data = WithFileValues(FactoryEscData(), *snapshot->record.full);
      loaded.label = "snapshot " + source.text;
      loaded.software = snapshot->info.software;
      return CommandResult::Ok();
    }
    case SourceKind::kSetup: {
      UserText why;
      const std::optional<NamedSetup> setup = library.Get().GetSetup(source.text, &why);
      if (!setup) return CommandResult::Fail(ExitCode::kBadFile, EnglishText(why));
      loaded.data = WithFileValues(FactoryEscData(), setup->data);
      loaded.label = "setup \"" + source.text + "\"";
      loaded.software = setup->info.software;
      return CommandResult::Ok();
    }
  }
  return CommandResult::Fail(ExitCode::kUsage, "the controller is no settings file");
}

}  // namespace vuriru
