// Writes one of two large drawings histories through the atomic writer, for
// the test that kills this process while it writes.
//
//   atomic_write_child <target> <a|b>
#include "app/LineList.h"
#include "tests/app/CrashSafetyHistory.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    stellaform::writeLines(argv[1], stellaform::test::crashSafetyHistory(argv[2][0]));
    std::puts("written");
    return 0;
}
