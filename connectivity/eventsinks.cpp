#include "connectivity/eventsinks.h"

#include "connectivity/apithread.h"
#include "connectivity/textutil.h"
#include "connectivity/xmldocument.h"

#include <cstdlib>
#include <cstring>

using ZYNService::Value;

namespace Quorl::ZYN::API {

void OwnedSink::SetOwner(Context* owner) {
    std::lock_guard<std::mutex> lock(mutex_);
    owner_ = owner;
}

int32_t OwnedSink::Invoke(int dispid, const std::vector<Value>& args) {
    if (dispid != dispid_)
        return 0;
    EventDelivery delivery;
    Context* owner;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        owner = owner_;
        if (!owner)
            return 0;
        // Entered before the lock is let go: a Context that cut the sink loose has seen this call.
        owner->Events().Enter();
    }
    struct Leave {
        Context* owner;
        ~Leave() { owner->Events().Leave(); }
    } leave{owner};
    if (complete_)
        owner->inviteComplete(args);
    else
        owner->inviteReceived(args);
    return 0;
}

void ZYNDiscoveryEventSink::SetCallback(ZYNDiscoveryCallback cb, void* user) {
    std::lock_guard<std::mutex> lock(mutex_);
    callback_ = cb;
    user_ = user;
}

int32_t ZYNDiscoveryEventSink::Invoke(int dispid, const std::vector<Value>& args) {
    EventDelivery delivery;
    if (dispid == 1 && args.size() >= 2)
        Discovered(args[0].text, args[1].text);
    return 0;
}

static bool GuidAttribute(const Quorl::Xml::Node& n, const char* name, ZYNGUID* out) {
    std::string text;
    if (!n.Attribute(name, &text))
        return false;
    if (!Quorl::Text::GuidFromBracedText("{" + text + "}", out))
        *out = ZYNGUID{}; // present but unreadable: counted, nil
    return true;
}

void ZYNDiscoveryEventSink::Discovered(const std::string& eventGuidText, const std::string& xml) {
    ZYNDiscoveryCallback cb;
    void* user;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        cb = callback_;
        user = user_;
    }
    if (!cb)
        return;
    ZYNGUID eventGuid;
    if (!Quorl::Text::GuidFromBracedText(eventGuidText, &eventGuid))
        return;
    Quorl::Xml::Document doc;
    if (!doc.Load(xml))
        return;
    const Quorl::Xml::Node* session = doc.DocumentElement();
    if (!session || session->name != "Session")
        return;
    const Quorl::Xml::Node* userNode = session->SelectSingle("User");
    if (!userNode)
        return;
    const Quorl::Xml::Node* avatar = session->SelectSingle("Avatar");
    std::vector<const Quorl::Xml::Node*> gadgetNodes = session->Select("Gadget");

    ZYNDiscoveryRecord r{};
    std::string status, isSelf, userName;
    if (!session->Attribute("Status", &status) || !GuidAttribute(*session, "GUID", &r.sessionGuid))
        return;
    if (!Quorl::Text::Equal(eventGuid, r.sessionGuid))
        return;
    if (session->Attribute("IsSelf", &isSelf) && Quorl::Text::EqualsNoCase(isSelf, "true"))
        r.flags |= ZYN_DISCOVERY_FLAG_IS_SELF;
    if (!GuidAttribute(*userNode, "GUID", &r.userGuid) || !session->Attribute("UserName", &userName))
        return;
    r.status = status == "Available" ? 1 : status == "Expired" ? 2 : 0;
    if (r.status == 0)
        return;
    // Cut to the field on a character boundary; the last byte stays the terminator.
    memcpy(r.userName, userName.data(), Quorl::Text::Utf8CutLength(userName, sizeof r.userName - 1));

    std::vector<ZYNGUID> gadgets;
    for (const auto* g : gadgetNodes) {
        ZYNGUID guid;
        if (gadgets.size() < 0xFFFF && GuidAttribute(*g, "GUID", &guid))
            gadgets.push_back(guid);
    }
    if (!gadgetNodes.empty()) {
        r.gadgetCount = uint16_t(gadgets.size());
        r.gadgets = gadgets.data();
    }
    std::vector<uint8_t> avatarBytes;
    if (avatar) {
        std::string text = avatar->Text(), encoding, isCustom, format;
        if (avatar->Attribute("Encoding", &encoding)) {
            if (avatar->Attribute("IsCustom", &isCustom) && Quorl::Text::EqualsNoCase(isCustom, "true"))
                r.flags |= ZYN_DISCOVERY_FLAG_CUSTOM_AVATAR;
            if (avatar->Attribute("Format", &format) && !text.empty() && encoding == "Base64" &&
                Quorl::Text::Base64Decode(text, &avatarBytes) && !avatarBytes.empty()) {
                r.avatarSize = uint32_t(avatarBytes.size());
                r.avatarData = avatarBytes.data();
                r.avatarFormat = format == "BMP" ? 1 : 0;
            }
        }
    }
    cb(&r, user);
}

void ZYNAuthorizationEventSink::Set(ZYNAuthorizationCallback cb, void* user, const ZYNInitParams& params,
                                    const std::shared_ptr<ZYNService::Object>& gadget) {
    std::lock_guard<std::mutex> lock(mutex_);
    callback_ = cb;
    user_ = user;
    params_ = params;
    gadget_ = gadget;
}

void ZYNAuthorizationEventSink::Release() {
    std::lock_guard<std::mutex> lock(mutex_);
    callback_ = nullptr;
    user_ = nullptr;
    gadget_.reset();
}

int32_t ZYNAuthorizationEventSink::Invoke(int dispid, const std::vector<Value>& args) {
    EventDelivery delivery;
    // dispids 2 and 3 come here as well and are of no interest.
    if (dispid == 1 && args.size() >= 2)
        StateChanged(args[0].text, args[1].i);
    return 0;
}

void ZYNAuthorizationEventSink::StateChanged(const std::string& text, int code) {
    ZYNAuthorizationCallback cb;
    void* user;
    std::shared_ptr<ZYNService::Object> gadget;
    int last;
    std::string text2;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        cb = callback_;
        user = user_;
        gadget = gadget_;
        last = lastState_;
        lastState_ = code;
        text2 = std::string(params_.authorizationText2, strnlen(params_.authorizationText2, 250));
    }
    ZYNAuthorizationRecord r{};
    std::string t1, t2;
    switch (code) {
    case 0:
        r.state = last == 9 ? 4 : last == 10 ? 5 : last == 11 ? 6 : last == 1 ? 2 : 10;
        break;
    case 1:
    case 2: {
        if (text.empty() && gadget) {
            std::vector<Value> none;
            gadget->Call(6, none);
            return;
        }
        size_t at = text.find("[***]");
        if (at != std::string::npos && at > 0) {
            t1 = text.substr(0, at);
            t2 = text.substr(at + 5);
            r.text1 = &t1[0];
            r.text2 = &t2[0];
            if (!t1.empty())
                r.flags |= ZYN_AUTH_FLAG_TEXT1;
            if (!t2.empty())
                r.flags |= ZYN_AUTH_FLAG_TEXT2;
        }
        r.state = 0;
        break;
    }
    case 5:
        if (gadget) {
            std::vector<Value> args{Value::Int32(1), Value::Str(text2), Value::Str(text2), Value::Str("ZynBoth")};
            gadget->Call(5, args);
        }
        return;
    case 7:
        r.state = 3;
        break;
    case 8:
        r.state = 9;
        break;
    case 13:
        r.state = 1;
        break;
    default:
        return;
    }
    if (cb)
        cb(&r, user);
}

} // namespace Quorl::ZYN::API
