// list: the attached link adapters, each with whether it could be opened.

#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/device_session.h"

namespace vuriru {

CommandResult RunListCommand(const CliOptions& options, CommandIo& io) {
  DeviceSession session(options, io.progress);
  CommandResult prepared = session.Prepare();
  if (!prepared.ok()) return prepared;
  const std::vector<AdapterEntry> adapters = session.ListAdapters();
  if (options.json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const AdapterEntry& adapter : adapters) list.push_back({{"path", adapter.path}, {"opens", adapter.opens}});
    io.out << list.dump(2) << "\n";
    return CommandResult::Ok();
  }
  if (adapters.empty()) io.out << "No link adapter found.\n";
  for (const AdapterEntry& adapter : adapters) {
    io.out << adapter.path << "  " << (adapter.opens ? "can be opened" : "cannot be opened (access rights?)") << "\n";
  }
  return CommandResult::Ok();
}

}  // namespace vuriru
