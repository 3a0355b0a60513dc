#include "trees_harness.h"

namespace kord::treestest {

TreesHarness::TreesHarness() {
  ui.windows = {{Window::Albero, &albero}, {Window::Nest, &nest}, {Window::Generazioni, &generazioni}};
  ui.session = &session;
  printer.setAlwaysPdf(true);
}

}  // namespace kord::treestest
