# Writes OUTPUT, a header defining TESSAVIEW_BUILD_TIME as the build's time in
# seconds since 1970 (UTC). string(TIMESTAMP) takes SOURCE_DATE_EPOCH from the
# environment when it is set, which keeps reproducible builds reproducible.
string(TIMESTAMP seconds "%s" UTC)
set(content "// Made at build time.\n#define TESSAVIEW_BUILD_TIME ${seconds}\n")
if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" existing)
endif()
if(NOT existing STREQUAL content)
    file(WRITE "${OUTPUT}" "${content}")
endif()
