// The unit that makes the shared precompiled header of the window libraries.
