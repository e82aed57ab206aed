int VersionProbe(void) { return 1; }
