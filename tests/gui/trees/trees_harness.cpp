#include "trees_harness.h"

namespace kord::treestest {

TreesHarness::TreesHarness() {
  ui.windows = {{Window::TreeListWindow, &albero},
                {Window::TreeOutlineWindow, &nest},
                {Window::GenerationLimitWindow, &generazioni}};
  ui.session = &session;
  printer.setAlwaysPdf(true);
}

}  // namespace kord::treestest
