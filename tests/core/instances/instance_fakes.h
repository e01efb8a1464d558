#pragma once
// An [Instances] section in memory and a set of live windows, for the table tests.
#include <map>
#include <set>
#include <string>

#include "core/instances/instance_table.h"

namespace varnock::test {

class MapStore : public KeyValueStore {
 public:
  MapStore() = default;
  MapStore(std::initializer_list<std::pair<const std::string, std::string>> init) : values(init) {}
  std::optional<std::string> Read(const std::string& key) const override {
    auto it = values.find(key);
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  void Write(const std::string& key, const std::string& value) override { values[key] = value; }
  void Remove(const std::string& key) override { values.erase(key); }
  std::map<std::string, std::string> values;
};

class LiveWindows : public WindowFacts {
 public:
  LiveWindows() = default;
  LiveWindows(std::initializer_list<WindowId> init) : live(init) {}
  bool IsLive(WindowId window) const override { return live.count(window) != 0; }
  std::set<WindowId> live;
};

}  // namespace varnock::test
