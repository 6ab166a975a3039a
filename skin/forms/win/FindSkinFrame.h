#pragma once

class TControl;
class TSeCustomForm;

// The frame component that skins the form a control sits on: the first TSeCustomForm owned by
// the control's top-level form that is Active; none when the top parent is not a form or has
// no such component. Skinned controls ask it for the background under them.
TSeCustomForm* FindSkinFrame(TControl* control);
