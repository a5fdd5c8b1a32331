#pragma once

namespace ostrelta::testing {

// Runs the tests of the information windows' texts with QtTest's command line
// and returns QTest::qExec's result: 0 when every test passes.
int Run_information_texts_test(int argc, char** argv);

}  // namespace ostrelta::testing
