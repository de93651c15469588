// Replaced by the editor's start-up.
int main() { return 0; }
