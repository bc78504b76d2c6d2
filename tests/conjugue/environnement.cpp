// Every conjugue the tests start speaks French and has no English
// dictionaries, whatever the machine's locale and packages: a test that
// wants them sets them for its own run.
#include <cstdlib>
#include <initializer_list>

namespace {

const bool Pose = [] {
    setenv("LANG", "C.UTF-8", 1);
    for (const char* v : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) unsetenv(v);
    setenv("FLORIMOT_DICTD", "", 1);
    setenv("FLORIMOT_HUNSPELL_EN", "", 1);
    return true;
}();

}  // namespace
