// The main() of every test binary: a string id missing from the table fails the test, and the
// shipped files are the source tree's data/ folder, which the build names.
#include "platform/Paths.h"
#include "platform/StringTable.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    tembra::Paths::SetDefaultShippedDataDir(TEMBRA_DATA_DIR);
    tembra::SetMissingStringHandler([](tembra::UINT id) {
        ADD_FAILURE() << "string id " << id << " is not in the string table";
    });
    return RUN_ALL_TESTS();
}
