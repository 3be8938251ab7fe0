# language: de
Beispiele:
Beispiel:
* x
Szenarien: x
Gegeben seien x
Gegeben sei x
Angenommen ich
Given x
Funktionalität: f
