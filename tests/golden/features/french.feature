  # language: fr
Fonctionnalité: f
  Étant donné que x
  Et qu'y
