// Sole owner of one reference to a COM interface: releases it once, when it goes.
#pragma once

#include <memory>

#include "platform/win32.h"

struct InterfaceReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};

template <typename Interface>
using UniqueInterface = std::unique_ptr<Interface, InterfaceReleaser>;
