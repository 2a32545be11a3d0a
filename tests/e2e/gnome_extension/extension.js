// SPDX-License-Identifier: GPL-3.0-or-later
/* exported init, enable, disable */
// The end-to-end test's own extension. It puts the shell in unsafe mode, so
// that the test may use org.gnome.Shell.Eval and org.gnome.Shell.Screenshot,
// and keeps global.e2e.events: a word for each thing the shell did that a
// desktop shortcut can set off, so that the test sees a shortcut fire
// without replacing the shell's own handler of it.
const { GLib, Meta } = imports.gi;
const Main = imports.ui.main;
const MessageTray = imports.ui.messageTray;

class Recorder {
    constructor() {
        this.events = [];
        // How often the shell asked whether an app may inhibit shortcuts,
        // and how many of those questions are on the screen, ready for an
        // answer (one may close while the next opens).
        this.questions = 0;
        this.questionsShown = 0;
        this._signals = [];
        const wm = global.window_manager;
        const sizeChanges = Object.fromEntries(
            Object.entries(Meta.SizeChange).map(([name, value]) => [value, name.toLowerCase()]));
        this._watch(wm, 'minimize', (_wm, actor) => this._note('minimize', actor));
        this._watch(wm, 'size-change', (_wm, actor, change) =>
            this._note(`size-change:${sizeChanges[change]}`, actor));
        this._watch(wm, 'destroy', (_wm, actor) => this._note('destroy', actor));
        this._watch(wm, 'switch-workspace', (_wm, from, to) => this._note(`workspace:${from}-${to}`));
        this._watch(wm, 'show-window-menu', () => this._note('window-menu'));
        this._watch(global.display, 'grab-op-begin', () => this._note('grab-op'));
        this._watch(global.display, 'notify::focus-window', () =>
            this._note('focus', global.display.focus_window));
        this._watch(Main.overview, 'showing', () => this._note('overview'));
        this._watch(Main.keyboard, 'visibility-changed', () =>
            Main.keyboard.visible && this._note('on-screen-keyboard'));
        this._watch(Main.panel.statusArea.dateMenu.menu, 'open-state-changed', (_menu, open) =>
            open && this._note('calendar'));
        // Each time a window went into or out of full screen, as
        // {id, title, fullscreen, time}: the window's id, and the time in
        // microseconds on the monotonic clock, which the test's tools read.
        this.fullScreenChanges = [];
        this._windowSignals = new Map();
        global.get_window_actors().forEach(actor => this._watchWindow(actor.meta_window));
        this._watch(global.display, 'window-created', (_display, window) => this._watchWindow(window));
        // Everything that takes the keyboard from the windows (switchers,
        // menus, dialogs, the screenshot UI) goes through Main.pushModal.
        this._pushModal = Main.pushModal;
        Main.pushModal = (actor, params) => {
            const question = actor.constructor.name === 'ModalDialog' &&
                textOf(actor).toLowerCase().includes('inhibit');
            if (question) {
                this.questions++;
                actor.connect('opened', () => this.questionsShown++);
                actor.connect('closed', () => this.questionsShown--);
            }
            this._note(question ? 'question' : `modal:${actor.constructor.name}`);
            return this._pushModal(actor, params);
        };
    }

    _watch(object, signal, handler) {
        this._signals.push([object, object.connect(signal, handler)]);
    }

    _watchWindow(window) {
        this._windowSignals.set(window, [
            window.connect('notify::fullscreen', () => this.fullScreenChanges.push({
                id: window.get_id(), title: window.get_title(),
                fullscreen: window.is_fullscreen(), time: GLib.get_monotonic_time(),
            })),
            window.connect('unmanaged', () => this._windowSignals.delete(window)),
        ]);
    }

    _note(what, windowOrActor = null) {
        const window = windowOrActor?.meta_window ?? windowOrActor;
        this.events.push(window ? `${what}:${window.get_title()}` : what);
    }

    destroy() {
        Main.pushModal = this._pushModal;
        this._signals.forEach(([object, id]) => object.disconnect(id));
        this._windowSignals.forEach((ids, window) => ids.forEach(id => window.disconnect(id)));
    }
}

// The texts of an actor and of all its descendants, joined.
function textOf(actor) {
    const own = actor.text ?? actor.clutter_text?.text ?? '';
    return [own, ...actor.get_children().map(textOf)].join(' ');
}

function init() {
}

function enable() {
    global.context.unsafe_mode = true;
    // The shell announces unsafe mode with a banner that would lie over the
    // test's windows until the next key.
    Main.messageTray.getSources()
        .filter(source => source instanceof MessageTray.SystemNotificationSource)
        .forEach(source => source.destroy());
    global.e2e = new Recorder();
}

function disable() {
    global.e2e.destroy();
    delete global.e2e;
    global.context.unsafe_mode = false;
}
