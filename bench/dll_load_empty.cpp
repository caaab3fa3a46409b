// The empty program bench/dll-load-cost-windows subtracts: Wine's own start, no DLL but the
// system's.
int main() {
    return 0;
}
