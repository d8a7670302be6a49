#include "cad/link.h"

namespace cad {

Document& Link::renew() {
    application_ = automation::toObject<Application>(connector_.attach());
    application_->setVisible(true);
    document_ = automation::toObject<Document>(application_->activeDocument());
    return *document_;
}

}  // namespace cad
