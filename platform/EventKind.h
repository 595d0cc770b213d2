#pragma once

// The kind of one event, as the platform reports it after each wait. The
// program acts on the first three; everything else (moving, painting,
// activation, raw keyboard and mouse input) is reported as Other.
enum class EventKind {
    NoEvent,
    MenuCommand,
    ControlEvent,
    CloseRequest,
    Other,
};
