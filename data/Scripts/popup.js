// The message box that control scripts open with DoMsgBox (control Popup_Msg of the set MVX_Popup).
//
// The overlay grid runs the skin's OnInit with the title, the text and the button set: "YesNo",
// "OkCancel", or anything else for a single OK button. A tapped button reports its code ("Yes", "No",
// "Ok", "Cancel") back through OnMsgBoxClick, which closes the box and calls the waiting script.

function setText(view, name, text) {
    var layout = view.FindLayout(name);
    if (layout) {
        layout.setText(text === undefined || text === null ? "" : "" + text);
    }
}

// Shows a button with the translated label of its code, or hides it when code is empty.
function setupButton(view, skin, faceName, labelName, code) {
    var face = view.FindLayout(faceName);
    var label = view.FindLayout(labelName);
    if (!face || !label) {
        return;
    }
    face.setVisible(code !== "");
    label.setVisible(code !== "");
    face.setData(code);
    label.setText(code === "" ? "" : skin.GetString(code));
}

function PopupInit(skin, title, text, buttons) {
    // The control is also built once without a message; there is nothing to show then.
    if (title === undefined) {
        return;
    }
    setText(this, "Title", title);
    setText(this, "Text", text);
    var codes = ["", "Ok"];
    if (buttons === "YesNo") {
        codes = ["Yes", "No"];
    } else if (buttons === "OkCancel") {
        codes = ["Ok", "Cancel"];
    }
    setupButton(this, skin, "Btn1", "Btn1Text", codes[0]);
    setupButton(this, skin, "Btn2", "Btn2Text", codes[1]);
}

function PopupBtnClick(skin, layout) {
    var code = layout.getData();
    if (typeof code === "string" && code !== "") {
        this.OnMsgBoxClick(code, "");
    }
}
