// Nothing: kord_gui_test_headers exists to hold the window tests' precompiled
// Qt headers (cmake/precompiled_headers.cmake), and a library needs a source.
