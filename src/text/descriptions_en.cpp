// English descriptions of the seven memory types, one per band of activeness.
// One source line per text line, so that an editor can work on the wording directly.
#include "text/descriptions.hpp"

namespace mr {

// clang-format off
const DescriptionTable kEnglishDescriptions = {
    // Motorical type (sport)
    {
        // band 0
        u"About 5% :\r"
        u"Your coordination is weak, and every new movement takes real effort.\r"
        u"Learning through movement comes very slowly to you.\r"
        u"Top-level sport is clearly not the path for you.",
        // band 1
        u"About 10% :\r"
        u"Your body is slow to remember an exercise and quick to forget it.\r"
        u"Your capacity to learn through movement is low.\r"
        u"A sporting career is unlikely, but a morning workout won't hurt.",
        // band 2
        u"About 30% :\r"
        u"You master simple exercises, but complex sequences take long practice.\r"
        u"You learn through movement more slowly than most.\r"
        u"Sport can be a pleasant hobby for you, but not a profession.",
        // band 3
        u"About 35% :\r"
        u"You keep in shape easily, though your stamina sometimes runs short.\r"
        u"You learn movements almost as fast as most people.\r"
        u"Amateur competitions are as far as you are likely to go.",
        // band 4
        u"About 45% :\r"
        u"You have good coordination and a steady sense of balance.\r"
        u"You take up new sports and dance steps with ease.\r"
        u"You learn new movements at a normal pace.\r"
        u"You could well become a fitness instructor.",
        // band 5
        u"About 55% :\r"
        u"Your movements are precise and economical, and training pays off fast.\r"
        u"Team games bring you both joy and victories.\r"
        u"You pick up motor skills faster than most people.\r"
        u"You would make a good coach for a children's sports club.",
        // band 6
        u"About 65% :\r"
        u"Your motor memory is excellent: a movement you learned once\r"
        u"you can repeat flawlessly years later.\r"
        u"Your stamina and speed of reaction are above average.\r"
        u"You learn new techniques quickly and with pleasure.\r"
        u"The door to professional sport is open to you.",
        // band 7
        u"About 70% :\r"
        u"Strength, flexibility and agility are in perfect balance.\r"
        u"The hardest technical elements are well within your reach.\r"
        u"Learning by doing is your great strength.\r"
        u"A career as a top-class athlete awaits you.",
        // band 8
        u"About 90% :\r"
        u"A day without exercise leaves you restless and out of sorts.\r"
        u"You absorb new movements greedily, but resting is a skill you lack.\r"
        u"An Olympic medal is within reach, if your coach keeps you in check.",
        // band 9
        u"About 95% :\r"
        u"Your body craves constant exercise; a day off feels like wasted time.\r"
        u"Overwork is a real danger; remember that rest is part of training too.\r"
        u"You master any movement in a single attempt.\r"
        u"Stuntman or test pilot: those are the jobs for you.",
        // band 10
        u"About 100% :\r"
        u"You can’t sit still for a minute,\r"
        u"and other people get tired just watching you.\r"
        u"Inventors have been looking for you for centuries.\r"
        u"Aren’t you a \"Perpetuum Mobile\"?"
    },
    // Sensual type (music, the stage)
    {
        // band 0
        u"About 5% :\r"
        u"You rarely let your emotions show,\r"
        u"and even music leaves you cold.\r"
        u"Feelings and impressions teach you very little.\r"
        u"The stage is not your place, not even as an extra.",
        // band 1
        u"About 10% :\r"
        u"It’s hard for you to read other people’s feelings\r"
        u"and to show your own.\r"
        u"A tune rarely stays in your head for long.\r"
        u"Emotions teach you little: you remember facts, not moods.\r"
        u"There’s little danger of a career as an actor or a singer.",
        // band 2
        u"About 30% :\r"
        u"Melodies are hard for you to remember, and your ear needs training.\r"
        u"You prefer to keep your feelings to yourself.\r"
        u"Learning through feelings comes harder to you than to most.\r"
        u"The role of an appreciative listener suits you better than the stage.",
        // band 3
        u"About 35% :\r"
        u"You feel things deeply,\r"
        u"but you can't always let others see it.\r"
        u"You gladly sing along to your favourite songs, if not always in time.\r"
        u"Learning through feelings is just below the norm.\r"
        u"Amateur theatre, yes; the big stage, hardly.",
        // band 4
        u"About 45% :\r"
        u"Your emotional memory is good, and you have a trained ear for music.\r"
        u"Other people's moods are easy for you to sense.\r"
        u"Your emotional learning is quite normal.\r"
        u"You would make a good school music teacher.",
        // band 5
        u"About 55% :\r"
        u"You sense the mood of the person you are talking to\r"
        u"and can pass it on to others.\r"
        u"Music and theatre mean a great deal in your life.\r"
        u"You learn well through emotions and live impressions.\r"
        u"A career as a music critic would suit you well.",
        // band 6
        u"About 65% :\r"
        u"Your bright, emotional manner is catching: audiences feel it at once.\r"
        u"The stage does not frighten you; it inspires you.\r"
        u"Feelings are your best teacher: what moves you, you never forget.\r"
        u"Actor, singer or musician: choose whichever you love most.",
        // band 7
        u"About 70% :\r"
        u"A rare gift for transformation: you live any feeling as your own.\r"
        u"Music and drama are a second language to you, learned with ease.\r"
        u"The big stage awaits you: theatre, opera or pop music.",
        // band 8
        u"About 90% :\r"
        u"Feelings sweep you away, and your mood changes several times a day.\r"
        u"Stormy quarrels give way to equally stormy reconciliations.\r"
        u"A sad song can spoil your whole day.\r"
        u"Emotions teach you more than facts do, and they colour your judgement.\r"
        u"A talent for tragedy will steer your passions into the right channel.",
        // band 9
        u"About 95% :\r"
        u"You live at the limit of your emotions:\r"
        u"any trifle brings tears or delight.\r"
        u"Burnout and quarrels with the people close to you are real risks.\r"
        u"Feelings teach you too much: you remember every slight for years.\r"
        u"Try to keep some distance from your own emotions.\r"
        u"Opera diva or rock star: a role you play offstage as well.",
        // band 10
        u"About 100% :\r"
        u"Surely you're not a volcano of feelings? Passions flare at any excuse.\r"
        u"The Surgeon General warns:\r"
        u"\"Sudden mood swings are dangerous to your mental health!\""
    },
    // Imaging type (visual arts)
    {
        // band 0
        u"About 5% :\r"
        u"Your imagination is weak:\r"
        u"it’s hard for you to picture what isn’t in front of you.\r"
        u"Your ability to learn through images is very low.\r"
        u"You won’t become a painter, but you see things as they are.",
        // band 1
        u"About 10% :\r"
        u"Visual impressions fade from your memory quickly.\r"
        u"You notice colours and shapes only when someone points them out.\r"
        u"Pictures and diagrams don’t help you learn much.\r"
        u"A designer’s profession would hardly suit you.",
        // band 2
        u"About 30% :\r"
        u"Your imagination wakes up rarely and not for long.\r"
        u"You find it easier to copy a model\r"
        u"than to invent one of your own.\r"
        u"A picture stays with you as a whole, but its details slip away.\r"
        u"Your visual learning is below average.\r"
        u"Drawing can be a pleasant pastime, but it won’t be your profession.",
        // band 3
        u"About 35% :\r"
        u"Your visual memory is about average; faces stay with you well.\r"
        u"Your imagination, though, lacks daring.\r"
        u"Your visual learning is nearly normal.\r"
        u"You could manage a decorator's job, but not a painter's.",
        // band 4
        u"About 45% :\r"
        u"You have a good sense of colour and picture things in every detail.\r"
        u"You learn from pictures and models as well as most people.\r"
        u"Feel free to try your hand at interior design.",
        // band 5
        u"About 55% :\r"
        u"You have a rich imagination and a sharp eye.\r"
        u"People can't help looking at your drawings and photos.\r"
        u"Diagrams and models make learning easy for you.\r"
        u"You are a born illustrator or photographer.",
        // band 6
        u"About 65% :\r"
        u"Vivid images come easily, and you sense composition by instinct.\r"
        u"Your spatial thinking is excellent.\r"
        u"One look is often all it takes for you to learn something.\r"
        u"Architecture is your true calling.",
        // band 7
        u"About 70% :\r"
        u"Your visual memory is exceptional, your imagination bold.\r"
        u"You see the world as a canvas waiting for its painter.\r"
        u"A scene you saw years ago, you can still draw in detail.\r"
        u"You learn through images faster than through words.\r"
        u"Fame as a painter or a sculptor awaits you.",
        // band 8
        u"About 90% :\r"
        u"Your imagination never stops working,\r"
        u"and daydreams sometimes crowd out your everyday duties.\r"
        u"With your head in the clouds, you forget about deadlines.\r"
        u"Pictures teach you in a flash; dry texts only bore you.\r"
        u"Avant-garde painting or animation is the career for you.",
        // band 9
        u"About 95% :\r"
        u"You live in a world of your own images,\r"
        u"and reality seems grey and dull.\r"
        u"Others rarely grasp your ideas, and you rarely notice others.\r"
        u"You learn from images alone; plain words barely reach you.\r"
        u"Unrecognised genius is your fate, unless a good gallery owner finds you.",
        // band 10
        u"About 100% :\r"
        u"You see what nobody else can see.\r"
        u"Colours sound to you, and sounds take on colour.\r"
        u"Your dreams are more vivid than any film.\r"
        u"Just don't try to walk through a door you painted yourself!"
    },
    // Logical type (exact sciences)
    {
        // band 0
        u"About 5% :\r"
        u"Logical reasoning tires you by the second step.\r"
        u"You easily lose the thread of an argument.\r"
        u"Numbers and formulas worry you more than they interest you.\r"
        u"Learning through logic is very hard for you.\r"
        u"A career as a research mathematician is not for you.",
        // band 1
        u"About 10% :\r"
        u"You quickly lose track of a chain of arguments.\r"
        u"You solve problems by guesswork rather than by the rules.\r"
        u"Logical rules take a long time to sink in.\r"
        u"A career as a programmer is unlikely for you.",
        // band 2
        u"About 30% :\r"
        u"You handle simple logic, but long chains of reasoning confuse you.\r"
        u"You know your times tables by heart; fractions, less so.\r"
        u"Learning through logic is a little below par for you.\r"
        u"Working with figures will be a burden to you.",
        // band 3
        u"About 35% :\r"
        u"You seldom make mistakes when recalling a chain of logical steps.\r"
        u"Learning mathematics gives you no trouble.\r"
        u"Your logical learning is within the normal range.\r"
        u"Still, a teaching career is not your path.",
        // band 4
        u"About 45% :\r"
        u"Your thinking is consistent, and you know how to draw conclusions.\r"
        u"The exact sciences come to you without much effort.\r"
        u"You learn easily through logic and reasoning.\r"
        u"You would make a good engineer or economist.",
        // band 5
        u"About 55% :\r"
        u"Your logic is clear, and formulas stay firmly in your memory.\r"
        u"You easily break a complex problem into simple steps.\r"
        u"Your logical learning is well above average.\r"
        u"You would make an excellent programmer.",
        // band 6
        u"About 65% :\r"
        u"You have an analytical mind and reason with rare precision.\r"
        u"You spot a contradiction in any argument at once.\r"
        u"Your ability to learn through reasoning is excellent.\r"
        u"Analyst or mathematics teacher: the choice is yours.",
        // band 7
        u"About 70% :\r"
        u"Your logical thinking is brilliant.\r"
        u"You hold long chains of proof in your head\r"
        u"and can return to any link without a single error.\r"
        u"New branches of mathematics take you days, not years.\r"
        u"A research career in physics or mathematics is open to you.",
        // band 8
        u"About 90% :\r"
        u"You want to put everything in order and prove it,\r"
        u"even what needs no proof, a compliment included.\r"
        u"Your pedantry can be hard on the people close to you.\r"
        u"Learning by logic is effortless; anything illogical irritates you.\r"
        u"Try to leave some room for intuition.\r"
        u"Your place is in the theory department of a research institute.",
        // band 9
        u"About 95% :\r"
        u"Logic has taken over everything, even feelings and rest.\r"
        u"Even at night you go on solving problems in your head.\r"
        u"You soak up logic endlessly; overwork and stubbornness are the risks.\r"
        u"Professional chess player or cryptographer: that is your lot.",
        // band 10
        u"About 100% :\r"
        u"You check everything around you for consistency.\r"
        u"Even love, it seems, you derive from axioms.\r"
        u"Do you pass the \"I'm not a robot\" test on the first try?"
    },
    // Aiming type (advertising)
    {
        // band 0
        u"About 5% :\r"
        u"You rarely set yourself goals and tend to drift with the current.\r"
        u"Plans are made, then quickly forgotten.\r"
        u"Your ability to learn through goals and tasks is very limited.\r"
        u"Advertising and sales are not your world.",
        // band 1
        u"About 10% :\r"
        u"You find it hard to choose between goals, and harder still to reach them.\r"
        u"Other people's aims often take the place of your own.\r"
        u"Learning through set tasks is poor.\r"
        u"You are unlikely to succeed as an advertising agent.",
        // band 2
        u"About 30% :\r"
        u"You can keep to a goal if someone reminds you of it.\r"
        u"Your goal-directed learning is below average.\r"
        u"Selling ideas to others is not your strong point.",
        // band 3
        u"About 35% :\r"
        u"Your goals are modest but realistic, and you usually reach them.\r"
        u"Learning through aims is close to normal.\r"
        u"A marketing job? Possible, but don't expect to shine.",
        // band 4
        u"About 45% :\r"
        u"You set clear goals and know how to move towards them.\r"
        u"Learning with a target in mind comes easily to you.\r"
        u"You could work well as a marketer or a sales agent.",
        // band 5
        u"About 55% :\r"
        u"You know how to make others want what you offer.\r"
        u"Your goal-directed learning is well above average.\r"
        u"Advertising, marketing or public relations would suit you.",
        // band 6
        u"About 65% :\r"
        u"Purposeful and persuasive, you find the shortest way to any goal.\r"
        u"A good slogan comes to you in a minute.\r"
        u"Your ability to learn through aims is excellent.\r"
        u"You could succeed as a copywriter or an advertising manager.",
        // band 7
        u"About 70% :\r"
        u"You see the goal clearly, and the road to it even more clearly.\r"
        u"Your campaigns win attention, and your words make people act.\r"
        u"Give you a target, and you will learn whatever it takes to hit it.\r"
        u"Running an advertising agency is a realistic ambition for you.",
        // band 8
        u"About 90% :\r"
        u"Goals easily become an obsession with you.\r"
        u"You may sacrifice rest, friends and health to hit a target.\r"
        u"You learn fast, but drop whatever doesn't serve the goal.\r"
        u"Beware of burnout after every campaign.\r"
        u"Advertising is your field, if you learn to stop in time.",
        // band 9
        u"About 95% :\r"
        u"You chase one goal after another without a pause.\r"
        u"Every conversation turns into a sales pitch.\r"
        u"The end begins to justify any means.\r"
        u"Learning through aims is extreme, and very narrow.\r"
        u"People around you may grow tired of being persuaded.\r"
        u"High-pressure sales would suit you, but keep your conscience awake.",
        // band 10
        u"About 100% :\r"
        u"Have you sold sand to the Sahara yet?"
    },
    // Managing type (business)
    {
        // band 0
        u"About 5% :\r"
        u"Rules and principles slip from your memory.\r"
        u"You find it hard to organise even your own day.\r"
        u"Your ability to learn through order and structure is very limited.\r"
        u"Managing people or money is not for you.",
        // band 1
        u"About 10% :\r"
        u"You prefer to follow instructions rather than give them.\r"
        u"Keeping several tasks in order is a strain for you.\r"
        u"Learning through rules and systems is poor.\r"
        u"You would feel uncomfortable in a director's chair.",
        // band 2
        u"About 30% :\r"
        u"You can run a household well enough, but a team is beyond you.\r"
        u"Your learning through structure and principle is below average.\r"
        u"An office clerk, perhaps, but not a manager.",
        // band 3
        u"About 35% :\r"
        u"You keep to principles and plans fairly well.\r"
        u"Organising a small group causes you no serious trouble,\r"
        u"but greater responsibility makes you nervous.\r"
        u"Learning through rules is close to normal.\r"
        u"Business may earn you a living, but hardly a fortune.",
        // band 4
        u"About 45% :\r"
        u"You are well organised and you keep your word.\r"
        u"People trust you to make plans and to share out the work.\r"
        u"Learning through rules and structure comes easily to you.\r"
        u"You would make a reliable manager or head of department.",
        // band 5
        u"About 55% :\r"
        u"You see how a business works as a whole.\r"
        u"Your decisions are balanced and your principles firm.\r"
        u"Your ability to learn through structure is well above average.\r"
        u"A career as an entrepreneur or a company director suits you.",
        // band 6
        u"About 65% :\r"
        u"Born to lead.  People follow you willingly, and the figures add up.\r"
        u"Learning through principles and systems is excellent.\r"
        u"Banker, director or founder of your own firm: all are within reach.",
        // band 7
        u"About 70% :\r"
        u"Your grasp of management is outstanding:\r"
        u"you keep every detail of a large enterprise in mind.\r"
        u"You learn the rules of any market quickly.\r"
        u"Big business or banking is your natural field.",
        // band 8
        u"About 90% :\r"
        u"You want to control everything and everyone.\r"
        u"Rules begin to matter more to you than people.\r"
        u"You learn through structure at once, but find it hard to delegate.\r"
        u"Your staff may fear you rather than respect you.\r"
        u"Watch out for overwork and stress.\r"
        u"Your place is at the head of a large company.",
        // band 9
        u"About 95% :\r"
        u"Power and order have become ends in themselves.\r"
        u"You may turn a family dinner into a board meeting.\r"
        u"Learning through principles is extreme, and so is your rigidity.\r"
        u"Risks: tyranny at work, loneliness at home and heart trouble.\r"
        u"Learn to trust others, and to lose now and then.\r"
        u"A corporation will suit you, as long as someone else plans your holidays.",
        // band 10
        u"About 100% :\r"
        u"Aren't you planning to privatise the Solar System?"
    },
    // Worldoutlooking type (science and religion)
    {
        // band 0
        u"About 5% :\r"
        u"Questions about the meaning of life hardly concern you.\r"
        u"You live for today and seldom look at the bigger picture.\r"
        u"Your ability to learn through ideas and world views is very limited.\r"
        u"Philosophy and theology are not your field.",
        // band 1
        u"About 10% :\r"
        u"General laws and abstract ideas leave you cold.\r"
        u"You accept the world as it is, without asking why.\r"
        u"Learning through concepts is poor.\r"
        u"A scientist's or a priest's career is hardly for you.",
        // band 2
        u"About 30% :\r"
        u"Now and then you wonder how the world works,\r"
        u"but the answers soon slip from your mind.\r"
        u"Your views are borrowed rather than your own.\r"
        u"Learning through broad ideas is below average.\r"
        u"Popular science books will do; a research career will not.",
        // band 3
        u"About 35% :\r"
        u"Your world view is settled and fairly consistent.\r"
        u"You know the basic laws of nature and can explain them.\r"
        u"Learning through general principles is close to normal.\r"
        u"You could teach science at school, but philosophy is not your path.",
        // band 4
        u"About 45% :\r"
        u"You like to reflect on the laws of nature and of human life.\r"
        u"Learning through ideas and concepts comes easily to you.\r"
        u"A career in science or in education would suit you.",
        // band 5
        u"About 55% :\r"
        u"Your outlook is broad and well grounded.\r"
        u"You can see how science and faith each answer their own questions.\r"
        u"Your ability to learn through general ideas is above average.\r"
        u"You could become a good scientist, philosopher or historian.",
        // band 6
        u"About 65% :\r"
        u"You see the world as a whole, where every fact has its place.\r"
        u"Your world view is deep, independent and ready for new knowledge.\r"
        u"Learning through ideas and great systems of thought is excellent.\r"
        u"Philosopher, scientist or theologian: any of these paths would suit your open mind.",
        // band 7
        u"About 70% :\r"
        u"You grasp the laws of nature and of society with remarkable depth.\r"
        u"Your views can change the minds of other people.\r"
        u"You master a new field of knowledge in a remarkably short time.\r"
        u"A great future in science, philosophy or theology is open to you.",
        // band 8
        u"About 90% :\r"
        u"Your convictions are very strong and hard to shake.\r"
        u"You tend to see the whole world through a single idea.\r"
        u"You take in ideas quickly, but only those that agree with yours.\r"
        u"Watch out for intolerance and fanaticism.\r"
        u"Your calling may be the life of a priest or a theologian.",
        // band 9
        u"About 95% :\r"
        u"You believe you have found the answer to every question.\r"
        u"Doubters annoy you, and every dialogue turns into a sermon.\r"
        u"Learning through ideas is extreme, but only along one line.\r"
        u"The risk of fanaticism and of breaking with friends is high.\r"
        u"Remember that even great thinkers have been wrong.\r"
        u"A preacher's or a missionary's path may attract you.",
        // band 10
        u"About 100% :\r"
        u"Hope, you are not going to declare yourself as Prophet!"
    },
};
// clang-format on

}  // namespace mr
