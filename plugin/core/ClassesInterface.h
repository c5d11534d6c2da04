// The plug-in's own classes the interface file names, registered by name with the toolkit
// before the file loads, as belonging to the plug-in's bundle.
#pragma once

namespace ns {
class Bundle;
}

void EnregistreClassesInterface(ns::Bundle* bundle);
