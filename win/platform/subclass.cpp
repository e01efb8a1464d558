#include "win/platform/subclass.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace varnock {

namespace {

struct Entry {
  SUBCLASSPROC proc;
  UINT_PTR id;
  DWORD_PTR data;
  bool removed;
};

// One window's chain: its own procedure, the subclasses in the order they came, where
// the message being passed on has got to, and how many messages are inside it (an entry
// removed meanwhile is only marked, so no call in progress loses its place).
struct Chain {
  WNDPROC original = nullptr;
  std::vector<Entry> entries;
  size_t next = 0;
  int depth = 0;
  bool destroyed = false;
};

std::mutex& ChainsLock() {
  static std::mutex lock;
  return lock;
}

std::unordered_map<HWND, Chain*>& Chains() {
  static std::unordered_map<HWND, Chain*> chains;
  return chains;
}

Chain* Find(HWND hwnd) {
  std::lock_guard<std::mutex> hold(ChainsLock());
  const auto found = Chains().find(hwnd);
  return found == Chains().end() ? nullptr : found->second;
}

void Forget(HWND hwnd) {
  std::lock_guard<std::mutex> hold(ChainsLock());
  Chains().erase(hwnd);
}

void DropRemoved(Chain& chain) {
  chain.entries.erase(
      std::remove_if(chain.entries.begin(), chain.entries.end(), [](const Entry& e) { return e.removed; }),
      chain.entries.end());
}

LRESULT CALLBACK ChainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Chain* chain = Find(hwnd);
  if (!chain) return DefWindowProcW(hwnd, msg, wp, lp);
  const size_t saved = chain->next;
  chain->next = chain->entries.size();
  ++chain->depth;
  const LRESULT result = NextSubclassProc(hwnd, msg, wp, lp);
  --chain->depth;
  chain->next = saved;
  if (msg == WM_NCDESTROY) {
    Forget(hwnd);
    chain->destroyed = true;
  }
  if (chain->depth == 0) {
    if (chain->destroyed) delete chain;
    else DropRemoved(*chain);
  }
  return result;
}

}  // namespace

bool InstallSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
  if (!hwnd || !proc) return false;
  Chain* chain = Find(hwnd);
  if (!chain) {
    chain = new Chain;
    {
      std::lock_guard<std::mutex> hold(ChainsLock());
      Chains()[hwnd] = chain;
    }
    chain->original =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChainProc)));
    if (!chain->original) {
      Forget(hwnd);
      delete chain;
      return false;
    }
  }
  for (Entry& entry : chain->entries) {
    if (entry.proc == proc && entry.id == id && !entry.removed) {
      entry.data = data;
      return true;
    }
  }
  chain->entries.push_back({proc, id, data, false});
  return true;
}

void RemoveSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id) {
  Chain* chain = Find(hwnd);
  if (!chain) return;
  for (Entry& entry : chain->entries)
    if (entry.proc == proc && entry.id == id) entry.removed = true;
  if (chain->depth == 0) DropRemoved(*chain);
}

LRESULT NextSubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Chain* chain = Find(hwnd);
  if (!chain) return DefWindowProcW(hwnd, msg, wp, lp);
  while (chain->next > 0) {
    const Entry entry = chain->entries[--chain->next];
    if (!entry.removed) return entry.proc(hwnd, msg, wp, lp, entry.id, entry.data);
  }
  return CallWindowProcW(chain->original, hwnd, msg, wp, lp);
}

}  // namespace varnock
