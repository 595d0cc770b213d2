#pragma once

#include "imaging/BmpWriter.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

// A picture to write and an older file at the target, which a failed write must keep.
class FailedWrite : public testing::Test {
protected:
    TemporaryFolder folder;
    ImageStore store;
    std::string target = folder.file("keep.bmp");
    std::vector<std::uint8_t> original = std::vector<std::uint8_t>(1000, 0xAB);

    void SetUp() override {
        writeWholeFile(target, original);
        store.createBlankImage(0, 640, 256);
    }
};
