#pragma once

#include <memory>
#include <string>

#include "standin/com/face.h"
#include "standin/com/server_object.h"

namespace standin::com {

// A server object over one object of an embedded stand-in, answering as its kind's face says.
class FaceObject : public ServerObject {
  public:
    FaceObject(automation::ObjectPtr object, const Face& face,
               std::shared_ptr<ServerControl> control);
    automation::ObjectPtr embedded() const override { return object_; }

  protected:
    bool answersTo(const IID& iid) const override;
    DISPID idOfName(const std::string& lowerName) const override;
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override;

  private:
    // The identifier of the member at `index` of the face: its row's, or for a member called by
    // name without one, one of the server's own choosing.
    DISPID idOf(std::size_t index) const;
    // The member `id` calls, and the offset into its row's identifiers; a put goes to the row
    // that is put where two share identifiers.
    const BoundMember* find(DISPID id, bool put, int& offset) const;

    automation::ObjectPtr object_;
    const Face& face_;
};

}  // namespace standin::com
