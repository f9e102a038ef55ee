#pragma once

#include "base/canvas.h"

namespace ferlo {

// A canvas that is a printed document: pages one after the other. Every page
// but the last is ended with `newPage`; `endDocument` ends the last one and
// the document. Both throw WriteError when the printer refuses.
class PageCanvas : public Canvas {
public:
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
};

}  // namespace ferlo
