# language: fr
Fonctionnalité: marquée
  Scénario: y
Soit z
  """
    texte
  """
