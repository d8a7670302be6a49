#pragma once

#include <memory>
#include <utility>

#include "cad/api.h"

namespace cad {

// The window's link to the CAD application: the application, its active document and the last
// circle drawn, replaced at every press and kept until the next.
class Link {
  public:
    explicit Link(Connector& connector) : connector_(connector) {}

    // Attaches to the running application, makes it visible and takes its active document;
    // throws when any of them fails, keeping what was replaced before.
    Document& renew();
    void keepLastCircle(std::shared_ptr<Circle> circle) { lastCircle_ = std::move(circle); }

    const std::shared_ptr<Application>& application() const { return application_; }
    const std::shared_ptr<Document>& document() const { return document_; }
    const std::shared_ptr<Circle>& lastCircle() const { return lastCircle_; }

  private:
    Connector& connector_;
    std::shared_ptr<Application> application_;
    std::shared_ptr<Document> document_;
    std::shared_ptr<Circle> lastCircle_;
};

}  // namespace cad
