# hello

  # language: fr
Fonctionnalité: x
  Scénario: y
    Soit z
  bad
