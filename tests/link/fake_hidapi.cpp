// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/fake_hidapi.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <hidapi.h>
#include <string>

struct hid_device_ {
  std::string path;
};

namespace vuriru::test {

FakeHidapi& FakeHidapi::Get() {
  static FakeHidapi fake;
  return fake;
}

std::optional<std::vector<uint8_t>> FakeNodeInspector::ReportDescriptor(const std::string& node) {
  const auto& descriptors = FakeHidapi::Get().descriptors;
  const auto found = descriptors.find(node);
  if (found == descriptors.end()) return std::nullopt;
  return std::vector<uint8_t>(found->second.begin(), found->second.end());
}

std::optional<bool> FakeNodeInspector::HasInterruptOut(const std::string& node) {
  const auto& endpoints = FakeHidapi::Get().interruptOut;
  const auto found = endpoints.find(node);
  if (found == endpoints.end()) return std::nullopt;
  return found->second;
}

std::optional<NodeAccess> FakeNodeInspector::Access(const std::string& node) {
  const auto& rights = FakeHidapi::Get().access;
  const auto found = rights.find(node);
  if (found == rights.end()) return std::nullopt;
  return found->second;
}

}  // namespace vuriru::test

using vuriru::test::FakeHidapi;

extern "C" {

hid_device_info* hid_enumerate(unsigned short vendor_id, unsigned short product_id) {
  FakeHidapi& fake = FakeHidapi::Get();
  fake.calls.push_back("hid_enumerate " + std::to_string(vendor_id) + " " + std::to_string(product_id));
  hid_device_info* head = nullptr;
  hid_device_info** tail = &head;
  for (const auto& device : fake.devices) {
    if ((vendor_id && device.vendorId != vendor_id) || (product_id && device.productId != product_id)) continue;
    auto* info = new hid_device_info{};
    info->path = strdup(device.path.c_str());
    info->vendor_id = device.vendorId;
    info->product_id = device.productId;
    if (const auto product = fake.products.find(device.path); product != fake.products.end()) {
      info->product_string = wcsdup(product->second.c_str());
    }
    *tail = info;
    tail = &info->next;
  }
  return head;
}

void hid_free_enumeration(hid_device_info* devs) {
  while (devs) {
    hid_device_info* next = devs->next;
    free(devs->path);
    free(devs->product_string);
    delete devs;
    devs = next;
  }
}

hid_device* hid_open_path(const char* path) {
  FakeHidapi& fake = FakeHidapi::Get();
  fake.calls.push_back(std::string("hid_open_path ") + path);
  if (std::count(fake.unopenable.begin(), fake.unopenable.end(), path)) {
    errno = fake.openErrno;
    return nullptr;
  }
  ++fake.openCount;
  return new hid_device_{path};
}

int hid_write(hid_device* dev, const unsigned char* data, size_t length) {
  FakeHidapi& fake = FakeHidapi::Get();
  fake.calls.push_back("hid_write " + dev->path + " " + std::to_string(length));
  fake.written.emplace_back(data, data + length);
  return fake.writeResult == -2 ? static_cast<int>(length) : fake.writeResult;
}

int hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int milliseconds) {
  FakeHidapi& fake = FakeHidapi::Get();
  fake.calls.push_back("hid_read_timeout " + dev->path + " " + std::to_string(length));
  fake.readTimeouts.push_back(milliseconds);
  if (fake.readFails) return -1;
  if (fake.reads.empty()) return 0;
  std::vector<unsigned char> report = std::move(fake.reads.front());
  fake.reads.pop_front();
  const size_t n = std::min(report.size(), length);
  std::memcpy(data, report.data(), n);
  return static_cast<int>(n);
}

const char* hid_version_str() {
  return "0.13.1";
}

void hid_close(hid_device* dev) {
  FakeHidapi& fake = FakeHidapi::Get();
  fake.calls.push_back("hid_close " + dev->path);
  --fake.openCount;
  delete dev;
}

}  // extern "C"
