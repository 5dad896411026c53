// Keeps the assets library non-empty before any picture exists.
