// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux node inspector on a sysfs tree built in a scratch folder.

#include "link/hidapi/node_inspector.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vuriru::test {
namespace {

namespace fs = std::filesystem;

class NodeInspectorTest : public ::testing::Test {
 protected:
  NodeInspectorTest() {
    fs::remove_all(m_root);
    fs::create_directories(m_hid);
    fs::create_directories(m_root / "class" / "hidraw" / "hidraw77");
    fs::create_directory_symlink(m_hid, m_root / "class" / "hidraw" / "hidraw77" / "device");
  }
  ~NodeInspectorTest() override { fs::remove_all(m_root); }

  void Endpoint(const std::string& name, const std::string& type, const std::string& direction) {
    fs::create_directories(m_interface / name);
    std::ofstream(m_interface / name / "type") << type << "\n";
    std::ofstream(m_interface / name / "direction") << direction << "\n";
  }

  const fs::path m_root = fs::temp_directory_path() / ("vuriru-sysfs-" + std::to_string(getpid()));
  const fs::path m_interface = m_root / "devices" / "usb1" / "1-1" / "1-1:1.0";
  const fs::path m_hid = m_interface / "0003:10C4:8468.0001";
  std::unique_ptr<NodeInspector> inspector = MakeSystemNodeInspector(m_root.string());
};

TEST_F(NodeInspectorTest, TheDescriptorComesFromSysfs) {
  EXPECT_FALSE(inspector->ReportDescriptor("/dev/hidraw77"));
  const std::string bytes("\x06\x00\xFF\x09\x01", 5);
  std::ofstream(m_hid / "report_descriptor", std::ios::binary) << bytes;
  const auto descriptor = inspector->ReportDescriptor("/dev/hidraw77");
  ASSERT_TRUE(descriptor);
  EXPECT_EQ(std::string(descriptor->begin(), descriptor->end()), bytes);
}

TEST_F(NodeInspectorTest, TheInterfacesEndpointsSayWhetherThereIsAnInterruptOut) {
  EXPECT_FALSE(inspector->HasInterruptOut("/dev/hidraw77"));  // no endpoints: not USB
  Endpoint("ep_81", "Interrupt", "in");
  EXPECT_EQ(inspector->HasInterruptOut("/dev/hidraw77"), false);
  Endpoint("ep_03", "Bulk", "out");
  EXPECT_EQ(inspector->HasInterruptOut("/dev/hidraw77"), false);
  Endpoint("ep_02", "Interrupt", "out");
  EXPECT_EQ(inspector->HasInterruptOut("/dev/hidraw77"), true);
  EXPECT_FALSE(inspector->HasInterruptOut("/dev/hidraw78"));
}

TEST_F(NodeInspectorTest, AccessReadsModeAndOwners) {
  const fs::path node = m_root / "node";
  std::ofstream(node) << "";
  fs::permissions(node, fs::perms::owner_read | fs::perms::owner_write);
  const auto access = inspector->Access(node.string());
  ASSERT_TRUE(access);
  EXPECT_EQ(access->mode, "-rw-------");
  EXPECT_FALSE(access->owner.empty());
  EXPECT_TRUE(access->readWrite);  // its owner may
  EXPECT_FALSE(inspector->Access((m_root / "missing").string()));
}

}  // namespace
}  // namespace vuriru::test
