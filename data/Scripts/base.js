// Behaviour of the standard controls of the set MVX_Base.
//
// Written for the program's script engine (ECMAScript 5: var and function only). Every handler runs with
// the control view as `this`. Skin handlers get the skin object first, layout handlers the skin object and
// then their layout object, control handlers the control object alone. One engine serves every control
// of every grid, so nothing here keeps per-control state in globals.

// The control's option values (option name -> text), with the values of its grid placement applied.
function cfgOf(skin) {
    var values = skin.getControl().getConfigData();
    return values ? values : {};
}

function clamp01(v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

// The "Channel" option picks the audio endpoint; anything unknown counts as the main output.
function channelOf(values) {
    var c = values ? values.Channel : "";
    return (c === "Micro" || c === "Music") ? c : "Main";
}

// Boolean outputs come back as booleans; stored values may also be texts or numbers.
function isOn(v) {
    return v === true || v === 1 || v === "true" || v === "1";
}

function pad2(n) {
    return n < 10 ? "0" + n : "" + n;
}

// Control OnInit of the tiles that show a figure: bind the function record that the "Function" option
// names (one of the records of the set's "Functions" section).
function FunctionInit(control) {
    var name = control.getConfigData().Function;
    if (name) {
        control.setFunctions([name]);
    }
}

/* Key button: sends the shortcut of its "Shortcut" option when tapped. Action button (the same skin): does
   what its "Action" option's editors made of it, "Shortcut: " and a shortcut, or "Macro: " and a macro (a
   stored macro's set/name, or the steps themselves). */

function KeyBtnIconInit(skin, layout) {
    var icon = cfgOf(skin).Icon;
    if (icon) {
        layout.setGfx(icon);
    }
}

function KeyBtnClick(skin, layout) {
    var cfg = cfgOf(skin);
    var keys = cfg.Shortcut;
    var action = cfg.Action ? String(cfg.Action) : "";
    if (action.indexOf("Macro:") === 0) {
        this.RunMacro(action.substring(6).trim());
        return;
    }
    if (action.indexOf("Shortcut:") === 0) {
        keys = action.substring(9).trim();
    }
    if (keys) {
        this.CallFunc("DFP:SendShortcut", [keys]);
    }
}

/* Volume slider: shows and sets the volume of the endpoint chosen by "Channel". */

function VolumeInit(control) {
    control.setFunctions(["Volume_" + channelOf(control.getConfigData())]);
}

// The skin draws the speaker; the microphone channel gets the microphone.
function VolumeIconInit(skin, layout) {
    if (channelOf(cfgOf(skin)) === "Micro") {
        layout.setGfx("IcoMic");
    }
}

// Press and move handler of the slider's touch area (the layout). The last mouse position is relative to
// the touch area; the positions of layouts are relative to the control.
function SliderMove(skin, layout) {
    var fill = this.FindLayout("Fill");
    if (!fill || fill.getW() <= 0) {
        return;
    }
    var x = this.GetMouseLastEvtX() + layout.getX() - fill.getX();
    var v = clamp01(x / fill.getW());
    v = Math.round(v * 100) / 100;
    this.CallFunc("DFP:SND_Vol_" + channelOf(cfgOf(skin)) + "_Set", [v]);
    // Show the new level now rather than at the next poll of the volume.
    this.SetFuncRes(0, 0, v);
    fill.Invalidate();
    var label = this.FindLayout("Value");
    if (label) {
        label.Invalidate();
    }
    this.Invalidate();
}

/* Mute toggle: the pressed state of the face is the mute state of the chosen endpoint. */

function MuteInit(control) {
    control.setFunctions(["Mute_" + channelOf(control.getConfigData())]);
}

function MuteIconInit(skin, layout) {
    if (channelOf(cfgOf(skin)) === "Micro") {
        layout.setGfx("IcoMic");
        layout.setGfxA("IcoMicMuted");
    }
}

// Skin OnUpdate: follow a mute change made on the PC.
function MuteUpdate(skin) {
    var muted = isOn(this.GetFuncRes(0, 0));
    var face = this.FindLayout("Face");
    var icon = this.FindLayout("Icon");
    if (face && face.getPressed() !== muted) {
        face.setPressed(muted);
    }
    if (icon && icon.getActive() !== muted) {
        icon.setActive(muted);
    }
}

// A toggle has flipped its pressed state before the click arrives, so pressed now means "mute".
function MuteClick(skin, layout) {
    var muted = layout.getPressed();
    this.CallFunc("DFP:SND_Mute_" + channelOf(cfgOf(skin)) + "_Set", [muted]);
    this.SetFuncRes(0, 0, muted);
    var icon = this.FindLayout("Icon");
    if (icon) {
        icon.setActive(muted);
    }
}

/* Clock tile: time and date of the PC, refreshed at every tick of the control. */

function ClockTick(skin) {
    var now = new Date();
    var time = this.FindLayout("Time");
    var date = this.FindLayout("Date");
    if (time) {
        time.setText(pad2(now.getHours()) + ":" + pad2(now.getMinutes()));
    }
    if (date) {
        date.setText(skin.GetString("Day" + now.getDay()) + "  " + pad2(now.getDate()) + "." +
                     pad2(now.getMonth() + 1) + "." + now.getFullYear());
    }
}

/* Picture tile: a picture file of the user's own, cut into tiles by its "Tiling" option so that corners and
   edges keep their size when the picture is stretched to the tile. */

// The tiling the "Edit" button's DEFAULT goes back to: the shipped button face's.
var PICTURE_TILING = '{"Tiles":["0,0,32,32,rr","32,0,32,32,ss","64,0,32,32,rr","0,32,32,32,ss","32,32,32,32,ss",' +
    '"64,32,32,32,ss","0,64,32,32,rr","32,64,32,32,ss","64,64,32,32,rr"],"Tiling":"3x3"}';

function PictureInit(skin, layout) {
    var cfg = cfgOf(skin);
    if (cfg.Picture) {
        layout.LoadGfx(cfg.Picture, "", 1.0, 0, 0, 0, "", cfg.Tiling ? cfg.Tiling : "");
    }
}

// A handler of the control editor's form (the editor is `this`): the "Edit" button beside "Tiling" opens the
// tiling popup on the option's value and keeps what it gives back.
function PictureTilingEdit(control, config, option) {
    this.SetConfigValue("Tiling", this.TilingDialog(this.GetConfigValue("Tiling"), PICTURE_TILING));
}
