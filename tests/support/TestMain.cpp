// The main() of every test binary: a string id missing from the table fails the test, the
// shipped files are the source tree's data/ folder, which the build names, and the program's
// clock stands on the day TEMBRA_NOW names (scripts/test.sh sets one), as the program's own does.
#include "platform/Paths.h"
#include "platform/StringTable.h"
#include "platform/Time.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    tembra::Clock::FixFromEnvironment();
    tembra::Paths::SetDefaultShippedDataDir(TEMBRA_DATA_DIR);
    tembra::SetMissingStringHandler([](tembra::UINT id) {
        ADD_FAILURE() << "string id " << id << " is not in the string table";
    });
    return RUN_ALL_TESTS();
}
