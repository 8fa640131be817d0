// Times the item list commands on a list of a million lines.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "itemlist/item_entry.h"
#include "itemlist/item_list.h"
#include "itemlist/item_list_ops.h"
#include "itemlist/statistics.h"

namespace {

using namespace krellix;

ItemList MakeList(long n, ItemOrder order) {
  ItemList items;
  items.SetSorted(order != ItemOrder::kArrival);
  for (long i = 0; i < n; ++i) {
    ItemFields f{":",
                 "DATA",
                 "/home/user/projects/tree/d" + std::to_string(i % 1000) + "/s" +
                     std::to_string(i / 1000) + "/",
                 "file" + std::to_string(i) + ".txt",
                 std::to_string(i * 37 % 100000),
                 "2024-03-07 09:05"};
    items.AddItem(f, order);
  }
  items.Count();
  items.Line(0);
  return items;
}

double Time(const char* name, const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%-28s %.3f s\n", name, s);
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  const long n = argc > 1 ? std::atol(argv[1]) : 1'000'000;
  ItemList items = MakeList(n, ItemOrder::kSize);
  double worst = 0;
  auto track = [&worst](double s) { worst = std::max(worst, s); };
  track(Time("select all", [&] { items.SetAllSelected(true); }));
  track(Time("select none", [&] { items.SetAllSelected(false); }));
  track(Time("select similar (S)", [&] { SelectSimilar(items, ItemOrder::kSize); }));
  // "Sort" undoing manual moves.
  for (std::size_t i = 0; i + 1 < items.Count(); i += 1000) items.Swap(i, i + 1);
  track(Time("sort after moves", [&] { items.Sort(); }));
  {
    // Switching sorting on for a list kept in walk order (lines in memory as they came).
    ItemList walk = MakeList(n, ItemOrder::kArrival);
    track(Time("sort from walk order", [&] { walk.SetSorted(true); }));
  }
  track(Time("calc stats", [&] { CalcStats(items, 0); }));
  track(Time("exclude half", [&] {
    items.SetAllSelected(false);
    for (std::size_t i = 0; i < items.Count(); i += 2) items.SetSelected(i, true);
    items.DeleteSelected();
  }));
  std::printf("itemlist_lines=%zu\n", static_cast<std::size_t>(n));
  std::printf("itemlist_ops_max_seconds=%.3f\n", worst);
  return 0;
}
