// Keeps the library non-empty while the folder has no sources yet.
