// The control window's three module lists (raw files, file names, the visible selector) kept
// in step with the module library.
#pragma once

// Lists the library again, fills the three lists in the same order and rebuilds the cycle
// order over the new indexes.
void fill_module_lists();
// Makes `index` the selected module and selects it in the lists; the include box shows its
// cycle flag.
void show_selected_module(int index);
