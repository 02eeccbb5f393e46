// Owner of one reference to a MAPI or WAB object: released exactly once,
// whichever way the function that obtained it is left.
#pragma once

#include <memory>

struct ComReleaser {
    template <class Interface>
    void operator()(Interface* object) const
    {
        object->Release();
    }
};

template <class Interface>
using UniqueCom = std::unique_ptr<Interface, ComReleaser>;
