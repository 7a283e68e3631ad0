// SPDX-License-Identifier: GPL-3.0-or-later
// The node inspector on Linux: sysfs for the report descriptor and the
// endpoints, the hidraw ioctls where sysfs has no descriptor, stat() and
// access() for the rights.
//
// /sys/class/hidraw/hidrawN/device is the HID device (".../0003:10C4:8468.0001");
// it holds report_descriptor, and its parent is the USB interface, whose
// ep_XX folders name each endpoint's type and direction.

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <iterator>
#include <linux/hidraw.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "link/hidapi/node_inspector.h"

namespace vuriru {

namespace {

namespace fs = std::filesystem;

std::string FirstLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

std::string ModeText(mode_t mode) {
  std::string text = S_ISCHR(mode) ? "c" : S_ISBLK(mode) ? "b" : S_ISDIR(mode) ? "d" : "-";
  const char* const letters = "rwxrwxrwx";
  for (int bit = 0; bit < 9; ++bit) text += (mode & (0400 >> bit)) ? letters[bit] : '-';
  return text;
}

std::string UserName(uid_t uid) {
  const passwd* entry = getpwuid(uid);
  return entry != nullptr ? entry->pw_name : std::to_string(uid);
}

std::string GroupName(gid_t gid) {
  const group* entry = getgrgid(gid);
  return entry != nullptr ? entry->gr_name : std::to_string(gid);
}

std::optional<std::vector<uint8_t>> DescriptorByIoctl(const std::string& node) {
  const int fd = open(node.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  std::optional<std::vector<uint8_t>> result;
  int size = 0;
  hidraw_report_descriptor descriptor{};
  if (ioctl(fd, HIDIOCGRDESCSIZE, &size) == 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
    descriptor.size = static_cast<__u32>(size);
    if (ioctl(fd, HIDIOCGRDESC, &descriptor) == 0) result.emplace(descriptor.value, descriptor.value + size);
  }
  close(fd);
  return result;
}

class LinuxNodeInspector : public NodeInspector {
 public:
  explicit LinuxNodeInspector(fs::path sysRoot) : m_sysRoot(std::move(sysRoot)) {}

  std::optional<std::vector<uint8_t>> ReportDescriptor(const std::string& node) override {
    std::ifstream in(HidDevice(node) / "report_descriptor", std::ios::binary);
    if (in) {
      std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (!bytes.empty()) return bytes;
    }
    return DescriptorByIoctl(node);
  }

  std::optional<bool> HasInterruptOut(const std::string& node) override {
    std::error_code error;
    const fs::path hid = fs::canonical(HidDevice(node), error);
    if (error) return std::nullopt;
    bool anyEndpoint = false;
    for (const fs::directory_entry& entry : fs::directory_iterator(hid.parent_path(), error)) {
      if (entry.path().filename().string().rfind("ep_", 0) != 0) continue;
      anyEndpoint = true;
      if (FirstLine(entry.path() / "type") == "Interrupt" && FirstLine(entry.path() / "direction") == "out") {
        return true;
      }
    }
    if (!anyEndpoint) return std::nullopt;  // not a USB interface: a Bluetooth or virtual device
    return false;
  }

  std::optional<NodeAccess> Access(const std::string& node) override {
    struct stat info {};
    if (stat(node.c_str(), &info) != 0) return std::nullopt;
    NodeAccess access;
    access.mode = ModeText(info.st_mode);
    access.owner = UserName(info.st_uid);
    access.group = GroupName(info.st_gid);
    access.readWrite = ::access(node.c_str(), R_OK | W_OK) == 0;
    return access;
  }

 private:
  fs::path HidDevice(const std::string& node) const {
    return m_sysRoot / "class" / "hidraw" / fs::path(node).filename() / "device";
  }

  fs::path m_sysRoot;
};

}  // namespace

std::unique_ptr<NodeInspector> MakeSystemNodeInspector(const std::string& sysRoot) {
  return std::make_unique<LinuxNodeInspector>(sysRoot);
}

}  // namespace vuriru
