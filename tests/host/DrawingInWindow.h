// What the document window's tests share: a host with the test font, and a drawing to be saved
// as drawing.svg in a folder of the test's own, in its window.
#pragma once

#include "DocumentWindow.h"
#include "Host.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace host_test {

inline host::HostOptions testFonts()
{
    return host::HostOptions{{}, {}, std::vector<std::string>{"Test Sans"}, {}};
}

class DrawingInWindow : public testing::Test {
protected:
    testing_files::TestFolder folder;
    host::Host host{testFonts()};
    host::desktop::DocumentWindow document{host, folder / "drawing.svg"};
};

} // namespace host_test
