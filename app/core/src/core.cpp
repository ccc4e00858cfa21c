// Placeholder so that the core library has a source until its parts land.
